#ifndef QUILLON_NOTICES_PLATFORM_H
#define QUILLON_NOTICES_PLATFORM_H

#include "notices/notices.h"

// What each platform's folder here provides: the display the user sees notices on, made when the
// first notice is said (the GUI is up by then), or null for stderr alone.
NoticeDisplay *platformNoticeDisplay();

#endif
