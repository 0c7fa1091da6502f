#include "knowledge.h"
