// Personallader.exe: the wizard as a Windows program.
#include <windows.h>

#include "program_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  return win32ui::runProgram(instance, show);
}
