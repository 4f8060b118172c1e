#include "FormBuilder.h"

FormControls buildForm(const QString&, QWidget*) { return {}; }
