#include "toolkit/tgroupbox.h"

#include "toolkit/accessibility.h"

TGroupBox::TGroupBox(const QString &title, QWidget *parent) : QGroupBox(title, parent) {
    tk::installAccessibility();
}
