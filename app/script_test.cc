#include "app/script.h"
