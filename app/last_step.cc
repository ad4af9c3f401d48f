#include "app/last_step.h"

DragStepRecord lastDragStep;
