/* Resource ids shared by the resource script and the program. The window icon
   has the lowest id, so that Explorer shows it for the program file. */
#pragma once

#define IDI_PERSONALLADER 1
#define IDI_STEP_INACTIVE 11
#define IDI_STEP_CURRENT 12
#define IDI_STEP_DONE 13
