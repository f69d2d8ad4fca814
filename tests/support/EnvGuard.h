#pragma once

#include <cstdlib>
#include <string>

// Sets (or, given nullptr, removes) an environment variable for the scope and puts the old value
// back afterwards.
class CEnvGuard
{
public:
    CEnvGuard(const char* name, const char* value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
        {
            m_hadValue = true;
            m_old = old;
        }
        if (value != nullptr)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~CEnvGuard()
    {
        if (m_hadValue)
            ::setenv(m_name.c_str(), m_old.c_str(), 1);
        else
            ::unsetenv(m_name.c_str());
    }
    CEnvGuard(const CEnvGuard&) = delete;
    CEnvGuard& operator=(const CEnvGuard&) = delete;

private:
    std::string m_name;
    std::string m_old;
    bool m_hadValue = false;
};
