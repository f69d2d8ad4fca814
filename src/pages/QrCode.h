#pragma once

#include <string>
#include <vector>

// A QR code's modules, made with libqrencode: the smallest version that holds the text, error
// correction level M (a printed code survives a crease or a smudge), the quiet zone not included.
class CQrCode
{
public:
    // Encodes the text (UTF-8; digits only are stored in the compact numeric mode). An empty or
    // too long text gives an empty code (Size() 0).
    explicit CQrCode(const std::string& text);

    // Modules per side; 0 for an empty code.
    int Size() const { return m_size; }
    // True for a dark module; row and column from 0 at the top left.
    bool IsDark(int row, int column) const
    {
        return m_dark[static_cast<std::size_t>(row) * static_cast<std::size_t>(m_size) +
                      static_cast<std::size_t>(column)];
    }

private:
    int m_size = 0;
    std::vector<bool> m_dark;
};
