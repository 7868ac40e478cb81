#include "ui/access/program_look.h"

#include "ui/access/accessible_combo_box.h"
#include "ui/access/focus_style.h"
#include "ui/access/slider_reading.h"

namespace zel::ui {

void installProgramLook()
{
    installComboBoxNaming();
    installSliderReadings();
    installFocusStyle();
}

} // namespace zel::ui
