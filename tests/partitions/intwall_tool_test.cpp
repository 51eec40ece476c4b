#include "partitions/intwall_tool.h"
