#include "report/pager.h"

void PageLongReport() {}
