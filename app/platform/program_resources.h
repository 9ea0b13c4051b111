// The ids of the program's resources (tarvel_stock.rc.in): its icon and the packed
// skin archive that the windows build their layouts from. Read by the resource
// compiler too, so plain defines.
#pragma once

#define IDI_PROGRAM_ICON 101
#define IDR_SKIN_ARCHIVE 105
