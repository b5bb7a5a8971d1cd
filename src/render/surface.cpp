// The Surface port is an interface only; its implementations are QtSurface
// (platform) and the recording surface of the tests.
#include "render/surface.h"
