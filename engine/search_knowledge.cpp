#include "search_knowledge.h"
