#pragma once

#include "toolkit/FormTemplate.h"

// Form 100: the About box.
const FormTemplate& AboutTemplate();
