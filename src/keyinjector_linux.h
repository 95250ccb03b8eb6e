#ifndef QUILLON_KEYINJECTOR_LINUX_H
#define QUILLON_KEYINJECTOR_LINUX_H

#include "keyinjector.h"

// The Linux backends, each null where it cannot work here, with the reason in `whyNot`.
std::unique_ptr<KeyInjector> createX11KeyInjector(std::string &whyNot);
std::unique_ptr<KeyInjector> createWlrootsKeyInjector(std::string &whyNot);

#endif
