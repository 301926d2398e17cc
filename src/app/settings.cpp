// Settings load and save of TPrincipale.

#include "app/tprincipale.h"

void TPrincipale::SettingsLoad() {}

void TPrincipale::SettingsSave() {}
