#include "TGIFItem.h"
