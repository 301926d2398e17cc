#include "toolkit/tgroupbox.h"

TGroupBox::TGroupBox(const QString &title, QWidget *parent) : QGroupBox(title, parent) {}
