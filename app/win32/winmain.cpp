#include "app/win32/application.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return lotto::win::run_application(instance);
}
