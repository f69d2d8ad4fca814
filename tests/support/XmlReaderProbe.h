#pragma once

#include <gtest/gtest.h>

// Whether this build reads XML data files: a one-shape hall draft must read back as one shape.
// Tests of what only a working reader can deliver (records read back from WeddingData.xml or from
// a hall draft) skip with a message naming the reason when it cannot.
bool XmlReaderAvailable();

#define SKIP_WITHOUT_XML_READER()                                                                  \
    do                                                                                             \
    {                                                                                              \
        if (!XmlReaderAvailable())                                                                 \
            GTEST_SKIP() << "needs the XML data file reader, which this build cannot run yet";     \
    } while (false)
