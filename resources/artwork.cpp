#include "resources/artwork.h"
