#pragma once

#include "toolkit/FormTemplate.h"

// Form 102: the calculator's main form, its 77 controls in stacking and tab order.
const FormTemplate& MainFormTemplate();
