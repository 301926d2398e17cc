// The resistor page of TPrincipale: colour lists, band drawing and value line.

#include "app/tprincipale.h"

void TPrincipale::buildResistorPage() {}
void TPrincipale::ResistorPageFirstStep() {}
void TPrincipale::ResistorPageInit() {}
void TPrincipale::ComboBox1Change() {}
void TPrincipale::ComboBox2Change() {}
void TPrincipale::ComboBox3Change() {}
void TPrincipale::ComboBox4Change() {}
void TPrincipale::ComboBox5Change() {}
void TPrincipale::CheckBox1Click() {}
void TPrincipale::UpdateValueLabel() {}
void TPrincipale::UpdateBands() {}
void TPrincipale::FillToleranceCombo() {}
