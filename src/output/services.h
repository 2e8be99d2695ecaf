// The system services output reaches, the clipboard and the printers; tests give their own.
#pragma once
#include "ui/clipboard.h"
#include "ui/printing.h"

namespace output {

struct Services {
    ui::Clipboard& clipboard = ui::SystemClipboard();
    ui::Printing& printing = ui::SystemPrinting();
};

}
