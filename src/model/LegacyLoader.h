#pragma once

#include "platform/NumberText.h"
#include "platform/ProfileFile.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class CEventSettings;
class CGuest;
class CShape;
class IRecordOwner;

// Readers of the legacy per-collection INI files, used when an event folder has no XML data file.
// The caller loads each file once into a CProfileFile; a missing file is an empty profile and
// reads as an empty collection. Records are appended in section order; the vectors own them.

// Walks the sections "<prefix>0", "<prefix>1", ... of ini. For each: makes a record with
// make(sectionNumber) (a std::unique_ptr<T>), optionally calls beforeSection(sectionNumber), and
// reads it with LoadFromIni. The first section that holds no record ends the walk: that record
// gives its index back (ReleaseIndex) and is destroyed. Returns the number of records appended.
template <class T, class Factory>
int LoadRecordsFromIni(CProfileFile& ini, const std::string& prefix, Factory&& make,
                       std::vector<std::unique_ptr<T>>& records,
                       const std::function<void(int)>& beforeSection = {})
{
    int loaded = 0;
    for (int n = 0;; ++n)
    {
        const std::string section = prefix + FormatInt(n);
        if (beforeSection)
            beforeSection(n);
        std::unique_ptr<T> record = make(n);
        if (!record->LoadFromIni(ini, section))
        {
            record->ReleaseIndex();
            break;
        }
        records.push_back(std::move(record));
        ++loaded;
    }
    return loaded;
}

// Guests.ini: the guests of "Guest0", "Guest1", ... bound to settings and owner (either may be
// null). progress (may be empty) receives load-window positions from 5 to 75: before each
// section 5 + (n + 1) * 70 / count, where count is "GuestsCount" of section "GuestsCount" (at
// least 1), only when the position changes and never above 75; then 75. Returns the number read.
int LoadGuestsFromIni(CProfileFile& ini, const CEventSettings* settings, IRecordOwner* owner,
                      std::vector<std::unique_ptr<CGuest>>& guests,
                      const std::function<void(int)>& progress = {});

// GanArrangement.ini of an event: when it is missing but "GanArrangement.gan" exists beside it,
// that file is renamed to the .ini name first. Returns the path to read (the .ini path).
std::filesystem::path PrepareShapesIni(const std::filesystem::path& iniPath);

// The shapes of "Shapes0", "Shapes1", ...: a section whose type is not a known shape type ends
// the list; a section with an empty name and four zero numbers is dropped and the walk goes on.
// Returns the number of shapes appended.
int LoadShapesFromIni(CProfileFile& ini, IRecordOwner* owner,
                      std::vector<std::unique_ptr<CShape>>& shapes);
