#ifndef QUILLON_TYPING_LINUX_RENEWINGKEYBACKEND_H
#define QUILLON_TYPING_LINUX_RENEWINGKEYBACKEND_H

#include "typing/keybackend.h"

#include <functional>

// Sets the backend up anew with `make` for the next line whenever it fails (a lost compositor, a
// failed portal call); a line that finds no working backend is not typed.
using BackendMaker = std::function<std::unique_ptr<KeyBackend>(std::string &whyNot)>;
std::unique_ptr<KeyBackend> renewedWhenItFails(std::unique_ptr<KeyBackend> first,
                                               BackendMaker make);

#endif
