#include <gtest/gtest.h>

#include "platform/ProfileFile.h"

TEST(ProfileFile, ReadsCaseInsensitively)
{
    CProfileFile file;
    file.SetString("FtpSettings", "FtpAutoUpload", "1");
    EXPECT_EQ(file.GetString("FTPSETTINGS", "ftpautoupload"), "1");
}
