#include <gtest/gtest.h>

#include "platform/PngDecoder.h"
