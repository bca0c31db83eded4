#include "Pickers.h"

#include "WidgetPickers.h"

namespace {
Pickers* installed = nullptr;
} // namespace

Pickers& AppPickers() {
    static WidgetPickers own;
    return installed ? *installed : own;
}

void InstallPickers(Pickers* pickers) {
    installed = pickers;
}
