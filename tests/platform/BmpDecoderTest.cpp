#include <gtest/gtest.h>

#include "platform/BmpDecoder.h"
