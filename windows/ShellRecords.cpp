// The one instance of each process-wide record of the Windows saver.
#include "windows/ShellState.h"

ShellState shellState;
SaverSettings saverSettings;
DesktopRecord desktopRecord;
AnimationWindow animationWindow;
