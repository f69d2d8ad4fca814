#include "online/ShareConnection.h"

#include "online/CancelToken.h"
#include "online/CurlTransfer.h"
#include "online/PercentEncode.h"
#include "platform/Trace.h"

#include <arpa/inet.h>
#include <cstdio>
#include <memory>
#include <sstream>

namespace fs = std::filesystem;

namespace
{
constexpr const char* kDataFolder = "DB";
constexpr const char* kBeside = "../";
// Leftovers of a broken upload are removed with a short wait of their own: the server may be gone.
constexpr long kCleanupTimeoutMs = 5000;

struct SEasyDeleter
{
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct SListDeleter
{
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
struct SFileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using CEasy = std::unique_ptr<CURL, SEasyDeleter>;
using CList = std::unique_ptr<curl_slist, SListDeleter>;
using CFile = std::unique_ptr<std::FILE, SFileCloser>;

CList MakeList(std::initializer_list<std::string> lines)
{
    curl_slist* list = nullptr;
    for (const std::string& line : lines)
        list = curl_slist_append(list, line.c_str());
    return CList(list);
}

std::size_t Discard(char*, std::size_t size, std::size_t count, void*)
{
    return size * count;
}

std::size_t AppendText(char* data, std::size_t size, std::size_t count, void* user)
{
    static_cast<std::string*>(user)->append(data, size * count);
    return size * count;
}

bool StartsWith(const std::string& text, const std::string& start)
{
    return text.compare(0, start.size(), start) == 0;
}

std::string Lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The host of an http(s) address, without user, port or brackets.
std::string HostOf(const std::string& url)
{
    std::size_t start = url.find("://");
    start = start == std::string::npos ? 0 : start + 3;
    std::string authority = url.substr(start, url.find('/', start) - start);
    const std::size_t at = authority.rfind('@');
    if (at != std::string::npos)
        authority.erase(0, at + 1);
    if (StartsWith(authority, "["))
        return Lower(authority.substr(1, authority.find(']') - 1));
    return Lower(authority.substr(0, authority.find(':')));
}

bool IsThisComputer(const std::string& host)
{
    in_addr v4{};
    if (::inet_pton(AF_INET, host.c_str(), &v4) == 1)
        return (ntohl(v4.s_addr) >> 24) == 127;
    return host == "localhost" || host == "::1";
}

// The file name part of an event file name ("../AppSettings.ini" -> "AppSettings.ini").
std::string BaseName(const std::string& name)
{
    return StartsWith(name, kBeside) ? name.substr(3) : name;
}

std::string TemporaryName(const std::string& name)
{
    return "." + BaseName(name) + ".uploading";
}
} // namespace

CShareConnection::CShareConnection(SShareServer server, const CCancelToken* cancel)
    : m_server(std::move(server)), m_cancel(cancel)
{
    InitializeCurlOnce();
}

CShareConnection::EAddressProblem CShareConnection::CheckAddress() const
{
    if (m_server.protocol != kShareWebDav)
        return EAddressProblem::None;
    const std::string lower = Lower(m_server.server);
    if (StartsWith(lower, "https://"))
        return EAddressProblem::None;
    if (!StartsWith(lower, "http://"))
        return EAddressProblem::NotWebAddress;
    // Password and data would cross the network in plain text.
    return IsThisComputer(HostOf(m_server.server)) ? EAddressProblem::None
                                                   : EAddressProblem::PlainHttp;
}

std::string CShareConnection::FolderUrl(bool dataFolder) const
{
    std::string url;
    if (m_server.protocol == kShareWebDav)
    {
        url = m_server.server;
        if (url.empty() || url.back() != '/')
            url += '/';
    }
    else
    {
        std::string host = m_server.server;
        for (const char* scheme : {"ftp://", "ftps://", "FTP://", "FTPS://"})
            if (StartsWith(host, scheme))
                host.erase(0, std::string(scheme).size());
        while (!host.empty() && host.back() == '/')
            host.pop_back();
        url = "ftp://" + host + "/";
        // A folder from the root starts with "%2F", which libcurl sends as "CWD /".
        if (StartsWith(m_server.folder, "/"))
            url += "%2F";
        std::istringstream parts(m_server.folder);
        std::string part;
        while (std::getline(parts, part, '/'))
            if (!part.empty())
                url += PercentEncode(part, EUrlPart::PathSegment) + "/";
    }
    if (dataFolder)
        url += std::string(kDataFolder) + "/";
    return url;
}

std::string CShareConnection::UrlOf(const std::string& name) const
{
    return FolderUrl(!StartsWith(name, kBeside)) +
           PercentEncode(BaseName(name), EUrlPart::PathSegment);
}

void CShareConnection::Prepare(void* handle) const
{
    CURL* easy = static_cast<CURL*>(handle);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, m_server.limits.connectTimeoutMs);
    curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, m_server.limits.totalTimeoutMs);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, m_server.limits.lowSpeedBytesPerSecond);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, m_server.limits.lowSpeedSeconds);
    curl_easy_setopt(easy, CURLOPT_USERNAME, m_server.user.c_str());
    curl_easy_setopt(easy, CURLOPT_PASSWORD, m_server.password.c_str());
    if (m_server.port > 0)
        curl_easy_setopt(easy, CURLOPT_PORT, static_cast<long>(m_server.port));
    if (!m_server.caFile.empty())
        curl_easy_setopt(easy, CURLOPT_CAINFO, m_server.caFile.c_str());
    if (m_server.protocol == kShareWebDav)
    {
        curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(easy, CURLOPT_HTTPAUTH, static_cast<long>(CURLAUTH_BASIC));
        curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 0L);
    }
    else
    {
        curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "ftp");
        // Passive mode (no CURLOPT_FTPPORT): active mode fails behind home routers. Binary is
        // libcurl's default type; ASCII would rewrite line ends and break UTF-16 files.
        curl_easy_setopt(easy, CURLOPT_TRANSFERTEXT, 0L);
        if (m_server.protocol == kShareFtps)
            curl_easy_setopt(easy, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
    }
}

SShareOutcome CShareConnection::Run(void* handle, const char* what) const
{
    CURL* easy = static_cast<CURL*>(handle);
    char errorText[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, errorText);
    const CURLcode code = RunCurlTransfer(easy, m_cancel);
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, nullptr);
    SShareOutcome outcome;
    switch (code)
    {
    case CURLE_OK:
        outcome.result = EShareResult::Done;
        break;
    case CURLE_ABORTED_BY_CALLBACK:
        outcome.result = IsCancelled(m_cancel) ? EShareResult::Cancelled : EShareResult::Failed;
        break;
    case CURLE_REMOTE_FILE_NOT_FOUND:
        outcome.result = EShareResult::Absent;
        break;
    default:
        outcome.result = EShareResult::Failed;
        outcome.noTls = code == CURLE_USE_SSL_FAILED;
        break;
    }
    if (outcome.result == EShareResult::Failed)
        outcome.error = errorText[0] != '\0' ? errorText : curl_easy_strerror(code);
    if (outcome.result == EShareResult::Failed || outcome.result == EShareResult::Cancelled)
        Trace("CShareConnection", std::string(what) + " failed: " + outcome.error);
    return outcome;
}

SShareOutcome CShareConnection::EnsureDataFolder()
{
    if (m_dataFolderMade || m_server.protocol != kShareWebDav)
        return {EShareResult::Done, {}};
    // FTP uploads create "DB" themselves (CURLOPT_FTP_CREATE_MISSING_DIRS).
    CEasy easy(curl_easy_init());
    Prepare(easy.get());
    const std::string url = FolderUrl(true);
    curl_easy_setopt(easy.get(), CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy.get(), CURLOPT_CUSTOMREQUEST, "MKCOL");
    curl_easy_setopt(easy.get(), CURLOPT_WRITEFUNCTION, &Discard);
    SShareOutcome outcome = Run(easy.get(), "MKCOL DB");
    if (outcome.result != EShareResult::Done)
        return outcome;
    long status = 0;
    curl_easy_getinfo(easy.get(), CURLINFO_RESPONSE_CODE, &status);
    // 405: the folder exists already.
    if (status / 100 != 2 && status != 405)
        return {EShareResult::Failed, "MKCOL " + url + ": HTTP status " + std::to_string(status)};
    m_dataFolderMade = true;
    return outcome;
}

SShareOutcome CShareConnection::Fetch(const std::string& name, const fs::path& target)
{
    const fs::path partial = target.string() + ".part";
    std::error_code ignored;
    SShareOutcome outcome;
    long status = 0;
    {
        CFile file(std::fopen(partial.c_str(), "wb"));
        if (!file)
            return {EShareResult::Failed, "cannot write " + partial.string()};
        CEasy easy(curl_easy_init());
        Prepare(easy.get());
        const std::string url = UrlOf(name);
        curl_easy_setopt(easy.get(), CURLOPT_URL, url.c_str());
        curl_easy_setopt(easy.get(), CURLOPT_WRITEDATA, file.get());
        outcome = Run(easy.get(), ("GET " + url).c_str());
        curl_easy_getinfo(easy.get(), CURLINFO_RESPONSE_CODE, &status);
        if (std::fflush(file.get()) != 0 && outcome.result == EShareResult::Done)
            outcome = {EShareResult::Failed, "cannot write " + partial.string()};
    }
    if (outcome.result == EShareResult::Done && m_server.protocol == kShareWebDav &&
        status / 100 != 2)
    {
        outcome.result =
            status == 404 || status == 409 ? EShareResult::Absent : EShareResult::Failed;
        outcome.error = "HTTP status " + std::to_string(status);
    }
    if (outcome.result == EShareResult::Failed && m_server.protocol != kShareWebDav &&
        !outcome.noTls &&
        (status == 550 || outcome.error.find("CWD") != std::string::npos ||
         outcome.error.find("change to") != std::string::npos))
    {
        // The folder could not be entered: absent when the listing of the folder above it works
        // and lacks it (a first upload), a failure otherwise.
        std::string listing;
        CEasy easy(curl_easy_init());
        Prepare(easy.get());
        const std::string url = FolderUrl(false);
        curl_easy_setopt(easy.get(), CURLOPT_URL, url.c_str());
        curl_easy_setopt(easy.get(), CURLOPT_DIRLISTONLY, 1L);
        curl_easy_setopt(easy.get(), CURLOPT_WRITEFUNCTION, &AppendText);
        curl_easy_setopt(easy.get(), CURLOPT_WRITEDATA, &listing);
        if (Run(easy.get(), "NLST").result == EShareResult::Done)
        {
            std::istringstream lines(listing);
            std::string line;
            bool found = false;
            while (std::getline(lines, line))
            {
                if (!line.empty() && line.back() == '\r')
                    line.pop_back();
                found = found || line == kDataFolder;
            }
            if (!found && !StartsWith(name, kBeside))
                outcome.result = EShareResult::Absent;
        }
    }
    if (outcome.result == EShareResult::Done)
    {
        fs::rename(partial, target, ignored);
        if (ignored)
            return {EShareResult::Failed, "cannot write " + target.string()};
    }
    else
        fs::remove(partial, ignored);
    return outcome;
}

SShareOutcome CShareConnection::Put(const fs::path& source, const std::string& name)
{
    if (!StartsWith(name, kBeside))
    {
        const SShareOutcome folder = EnsureDataFolder();
        if (folder.result != EShareResult::Done)
            return folder;
    }
    std::error_code sizeError;
    const auto size = fs::file_size(source, sizeError);
    CFile file(std::fopen(source.c_str(), "rb"));
    if (!file || sizeError)
        return {EShareResult::Failed, "cannot read " + source.string()};

    const std::string temporary = TemporaryName(name);
    const std::string folderUrl = FolderUrl(!StartsWith(name, kBeside));
    const std::string temporaryUrl = folderUrl + PercentEncode(temporary, EUrlPart::PathSegment);
    const std::string finalUrl = UrlOf(name);

    CEasy easy(curl_easy_init());
    Prepare(easy.get());
    curl_easy_setopt(easy.get(), CURLOPT_URL, temporaryUrl.c_str());
    curl_easy_setopt(easy.get(), CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(easy.get(), CURLOPT_READDATA, file.get());
    curl_easy_setopt(easy.get(), CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(size));
    curl_easy_setopt(easy.get(), CURLOPT_WRITEFUNCTION, &Discard);
    // The rename follows the upload on the same connection, only when the upload succeeded.
    CList rename = MakeList({"RNFR " + temporary, "RNTO " + BaseName(name)});
    if (m_server.protocol != kShareWebDav)
    {
        curl_easy_setopt(easy.get(), CURLOPT_FTP_CREATE_MISSING_DIRS,
                         static_cast<long>(CURLFTP_CREATE_DIR_RETRY));
        curl_easy_setopt(easy.get(), CURLOPT_POSTQUOTE, rename.get());
    }
    SShareOutcome outcome = Run(easy.get(), ("PUT " + temporaryUrl).c_str());
    long status = 0;
    curl_easy_getinfo(easy.get(), CURLINFO_RESPONSE_CODE, &status);
    if (outcome.result == EShareResult::Done && m_server.protocol == kShareWebDav)
    {
        if (status / 100 != 2)
            outcome = {EShareResult::Failed, "PUT: HTTP status " + std::to_string(status)};
        else
        {
            CEasy move(curl_easy_init());
            Prepare(move.get());
            CList headers = MakeList({"Destination: " + finalUrl, "Overwrite: T"});
            curl_easy_setopt(move.get(), CURLOPT_URL, temporaryUrl.c_str());
            curl_easy_setopt(move.get(), CURLOPT_CUSTOMREQUEST, "MOVE");
            curl_easy_setopt(move.get(), CURLOPT_HTTPHEADER, headers.get());
            curl_easy_setopt(move.get(), CURLOPT_WRITEFUNCTION, &Discard);
            outcome = Run(move.get(), "MOVE");
            curl_easy_getinfo(move.get(), CURLINFO_RESPONSE_CODE, &status);
            if (outcome.result == EShareResult::Done && status / 100 != 2)
                outcome = {EShareResult::Failed, "MOVE: HTTP status " + std::to_string(status)};
        }
    }
    if (outcome.result == EShareResult::Done)
        return outcome;

    // Best effort: take the half file away (the real name was never touched).
    CEasy cleanup(curl_easy_init());
    Prepare(cleanup.get());
    curl_easy_setopt(cleanup.get(), CURLOPT_TIMEOUT_MS, kCleanupTimeoutMs);
    curl_easy_setopt(cleanup.get(), CURLOPT_CONNECTTIMEOUT_MS, kCleanupTimeoutMs);
    curl_easy_setopt(cleanup.get(), CURLOPT_WRITEFUNCTION, &Discard);
    CList remove = MakeList({"DELE " + temporary});
    if (m_server.protocol == kShareWebDav)
    {
        curl_easy_setopt(cleanup.get(), CURLOPT_URL, temporaryUrl.c_str());
        curl_easy_setopt(cleanup.get(), CURLOPT_CUSTOMREQUEST, "DELETE");
    }
    else
    {
        curl_easy_setopt(cleanup.get(), CURLOPT_URL, folderUrl.c_str());
        curl_easy_setopt(cleanup.get(), CURLOPT_NOBODY, 1L);
        curl_easy_setopt(cleanup.get(), CURLOPT_POSTQUOTE, remove.get());
    }
    RunCurlTransfer(cleanup.get(), nullptr);
    return outcome;
}
