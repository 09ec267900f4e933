#include "model/Catalogue.h"

#include <gtest/gtest.h>

using namespace velmont;

TEST(Catalogue, FormatNamesInIdOrder) {
    const char* expected[] = {"aac", "aiff", "amr", "au",  "flac", "m4a", "mp2",
                              "mp3", "ogg",  "wav", "wma", "3g2",  "3gp", "avi",
                              "m4v", "mp4",  "mpg", "mov", "flv",  "swf", "nut"};
    for (FormatId id = 0; id < kFormatCount; ++id)
        EXPECT_EQ(GetFormatName(id), expected[id]) << id;
}
