// The capacitance page of TPrincipale.

#include "app/tprincipale.h"

void TPrincipale::buildCapacitancePage() {}
