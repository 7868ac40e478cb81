#include "ui/common/program_look.h"

#include "ui/common/accessible_combo_box.h"
#include "ui/common/focus_style.h"
#include "ui/common/slider_reading.h"

namespace zel::ui {

void installProgramLook()
{
    installComboBoxNaming();
    installSliderReadings();
    installFocusStyle();
}

} // namespace zel::ui
