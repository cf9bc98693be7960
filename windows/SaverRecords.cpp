// The one instance of each process-wide record of the Windows saver.
#include "windows/SaverState.h"

SaverState saverState;
SaverSettings saverSettings;
DesktopRecord desktopRecord;
AnimationWindow animationWindow;
