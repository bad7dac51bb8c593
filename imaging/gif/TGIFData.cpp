#include "TGIFData.h"
