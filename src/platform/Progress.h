#pragma once

#include <string>

// Progress of long operations (loading and saving an event). The GUI shows a window, the CLI
// nothing. Positions run from 0 to 100.
class IProgress
{
public:
    virtual ~IProgress() = default;

    virtual void Begin(const std::string& text) = 0;
    virtual void SetPos(int percent) = 0;
    virtual void End() = 0;
};

// Reports nowhere; the default where no one watches.
class CNullProgress : public IProgress
{
public:
    void Begin(const std::string&) override {}
    void SetPos(int) override {}
    void End() override {}
};
