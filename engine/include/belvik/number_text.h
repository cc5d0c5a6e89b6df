// Number text of the input and result boxes: reading, writing and rounding.
#pragma once

#include "belvik/number_reading.h"
#include "belvik/number_writing.h"
#include "belvik/rounding.h"
