#ifndef QUILLON_APP_OWNWINDOWS_H
#define QUILLON_APP_OWNWINDOWS_H

#include "typing/keybackend.h"

// The program's windows as Qt knows them: the main window, the About and message boxes, the
// lists it opens.
class QtOwnWindows : public OwnWindows
{
public:
    bool oneIsActive() const override;
    bool owns(std::uintptr_t nativeId) const override;
};

#endif
