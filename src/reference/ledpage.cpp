// The LED page of TPrincipale.

#include "app/tprincipale.h"

void TPrincipale::buildLedPage() {}
void TPrincipale::LedPagePrepare() {}
void TPrincipale::AlimLedClick() {}
