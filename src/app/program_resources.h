/* Resource ids shared by vexbox.rc and the code that loads them (plain C
   macros: windres reads this file too). */
#ifndef VEX_APP_PROGRAM_RESOURCES_H
#define VEX_APP_PROGRAM_RESOURCES_H

/* The program icon group: Explorer and the taskbar take the lowest id. */
#define VEX_PROGRAM_ICON 1

#endif
