#include "pages/QrCode.h"

#include <memory>
#include <qrencode.h>

CQrCode::CQrCode(const std::string& text)
{
    if (text.empty())
        return;
    // Version 0: the smallest that fits; case-sensitive 8-bit mode for whatever is not digits.
    std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString(text.c_str(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), &QRcode_free);
    if (!code || code->width <= 0)
        return;
    m_size = code->width;
    m_dark.resize(static_cast<std::size_t>(m_size) * static_cast<std::size_t>(m_size));
    for (std::size_t i = 0; i < m_dark.size(); ++i)
        m_dark[i] = (code->data[i] & 1) != 0; // bit 0 is the module's colour
}
