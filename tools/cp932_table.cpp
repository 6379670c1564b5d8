// Writes src/platform/Cp932Table.inc: CP932 as the C library maps it (the
// code page Windows uses for Japanese), so that the program decodes and
// encodes it with plain look-ups and needs no conversion module at run time.
//   cmake --build build --target cp932_table
//   build/cp932_table > src/platform/Cp932Table.inc
// tst_textfile checks the stored table against the C library's mapping.
#include <iconv.h>

#include <cstdio>
#include <map>
#include <vector>

namespace {

bool isLeadByte(unsigned b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool isTrailByte(unsigned b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

// One code through iconv: the UTF-16 unit, or 0 when it is not exactly one
// BMP character.
unsigned decode(iconv_t cd, const char *in, size_t inLen)
{
    char buf[8];
    char *inPtr = const_cast<char *>(in);
    char *outPtr = buf;
    size_t inLeft = inLen, outLeft = sizeof buf;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1) || inLeft != 0 || sizeof buf - outLeft != 2)
        return 0;
    return unsigned((unsigned char)buf[0]) | (unsigned((unsigned char)buf[1]) << 8);
}

// The code iconv writes for one BMP character, or 0 when none.
unsigned encode(iconv_t cd, unsigned u)
{
    char in[2] = {char(u & 0xFF), char(u >> 8)};
    char out[8];
    char *inPtr = in, *outPtr = out;
    size_t inLeft = 2, outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1) || inLeft != 0)
        return 0;
    const size_t n = sizeof out - outLeft;
    if (n == 1)
        return (unsigned char)out[0];
    if (n == 2)
        return (unsigned((unsigned char)out[0]) << 8) | (unsigned char)out[1];
    return 0;
}

} // namespace

int main()
{
    iconv_t dec = iconv_open("UTF-16LE", "CP932");
    iconv_t en = iconv_open("CP932", "UTF-16LE");
    if (dec == iconv_t(-1) || en == iconv_t(-1)) {
        std::fprintf(stderr, "cp932_table: the C library has no CP932\n");
        return 1;
    }
    std::printf("// CP932 as the C library maps it; written by tools/cp932_table.cpp.\n");
    std::printf("// Units 0 mark codes that are no character.\n\n");
    std::printf("// Bytes 0xA1..0xDF (half-width katakana).\n");
    std::printf("constexpr ushort kCp932Single[0xDF - 0xA1 + 1] = {");
    // Of the characters with more than one code, those the program decodes:
    // not ASCII, not a surrogate, not the units it keeps for raw bytes.
    std::map<unsigned, std::vector<unsigned>> codesOf;
    auto decoded = [](unsigned u) { return u >= 0x80 && !(u >= 0xD800 && u <= 0xDFFF) && !(u >= 0xF780 && u <= 0xF7FF); };
    for (unsigned b = 0xA1; b <= 0xDF; ++b) {
        const char c = char(b);
        const unsigned u = decode(dec, &c, 1);
        std::printf("%s0x%04X,", (b - 0xA1) % 12 == 0 ? "\n    " : " ", u);
        if (decoded(u))
            codesOf[u].push_back(b);
    }
    std::printf("\n};\n\n");
    std::printf("// Two-byte codes, lead bytes 0x81..0x9F then 0xE0..0xFC, trail bytes\n");
    std::printf("// 0x40..0xFC without 0x7F.\n");
    std::printf("constexpr ushort kCp932Double[60][188] = {\n");
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLeadByte(lead))
            continue;
        std::printf("    { // 0x%02X", lead);
        int n = 0;
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            if (!isTrailByte(trail))
                continue;
            const char in[2] = {char(lead), char(trail)};
            const unsigned u = decode(dec, in, 2);
            std::printf("%s0x%04X,", n++ % 12 == 0 ? "\n        " : " ", u);
            if (decoded(u))
                codesOf[u].push_back((lead << 8) | trail);
        }
        std::printf("\n    },\n");
    }
    std::printf("};\n\n");
    std::printf("// Characters with more than one code: the code written for each.\n");
    std::printf("struct Cp932Preferred\n{\n    ushort unicode;\n    ushort code;\n};\n");
    std::printf("constexpr Cp932Preferred kCp932Preferred[] = {\n");
    for (const auto &entry : codesOf) {
        if (entry.second.size() < 2)
            continue;
        const unsigned code = encode(en, entry.first);
        std::printf("    {0x%04X, 0x%04X},\n", entry.first, code > 0xFF ? code : entry.second.front());
    }
    std::printf("};\n");
    iconv_close(dec);
    iconv_close(en);
    return 0;
}
