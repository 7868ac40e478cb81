#pragma once
// The window's journal work, one task at a time off its thread (session::BackgroundQueue), under
// the name the window's features use.

#include "session/work/background_queue.h"

namespace zel::ui {
using session::BackgroundQueue;
}
