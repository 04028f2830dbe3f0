// A throwaway P-256 key's public half and signatures it made with
// `openssl dgst -sha256 -sign`; the private half was never kept.
#pragma once
#include <string>

namespace vex::test {

inline constexpr char kTestPublicKey[] =
    "-----BEGIN PUBLIC KEY-----\n"
    "MFkwEwYHKoZIzj0CAQYIKoZIzj0DAQcDQgAEj5+Yh33m3LyMdm7FzkxspDpMqofq\n"
    "8+Ihi9g/Cb7090YCDXVxhAWcXX6/cJMPijwTZw5uxjPG1Y5kPLUa/y7Sgg==\n"
    "-----END PUBLIC KEY-----\n";
// The point of kTestPublicKey, X then Y, as hex.
inline constexpr char kTestPointHex[] =
    "8f9f98877de6dcbc8c766ec5ce4c6ca43a4caa87eaf3e2218bd83f09bef4f746"
    "020d757184059c5d7ebf70930f8a3c13670e6ec633c6d58e643cb51aff2ed282";

inline constexpr char kSignedText[] = "MZ this stands for an executable\n";
inline constexpr char kSignature[] =
    "MEUCICtQBC5fP+cHa5LbKCEgsbXL3kNGLaSGAWxRF25vTucGAiEA4Y1yu3U4LZ1FvRP2wjsCv9qNa224Sjw9Gi50WMsyjlo=";
// Another signature of kSignedText whose s has only 31 bytes.
inline constexpr char kShortSSignature[] =
    "MEQCIQClHDK29qGF02Tcb9SJhdamzNOME+0w0faWq9DL3bNjfAIfa5AXVuoNthuFxT8iKItu79YXI+qaY/7av5T/BIU04A==";
inline constexpr char kShortS[] = "006b901756ea0db61b85c53f22288b6eefd61723ea9a63fedabf94ff048534e0";

inline constexpr char kOtherText[] = "MZ another executable\n";
inline constexpr char kOtherSignature[] =
    "MEUCIQDH95CnNkEmfpZinMgmaD1P8N8a95NjjwXawDiklmJ3kgIgBjWMh6e9FWKb0x1M76FGVNPcuzkXsPWglrV15TPqBqU=";

// Keys of the wrong kind.
inline constexpr char kP384PublicKey[] =
    "-----BEGIN PUBLIC KEY-----\n"
    "MHYwEAYHKoZIzj0CAQYFK4EEACIDYgAE4wNw/llFEvXGvkII7RKe8MKoALKjiyHZ\n"
    "Loxo8fxw+6covcNU4C+EuOLC8rgKeDeo9SLjJuTyNCMqgVJz1mZ943bO47MW0XQ2\n"
    "26jLSGl8ye9Z9GNN33bvpM8qLArE+hTz\n"
    "-----END PUBLIC KEY-----\n";
inline constexpr char kCompressedPublicKey[] =
    "-----BEGIN PUBLIC KEY-----\n"
    "MDkwEwYHKoZIzj0CAQYIKoZIzj0DAQcDIgACnYdTuEsfT1FOETMKhNFwqytkkz7i\n"
    "GtJi6XaNZNcWysQ=\n"
    "-----END PUBLIC KEY-----\n";

// A second throwaway key, whose private half was dropped as well, and the
// release statements it signed: kSignedText as 2.2, as 2.1 (this build's
// own edition) and as 2.10, and kOtherText as 2.2 and as the older 2.0.
inline constexpr char kReleaseKey[] =
    "-----BEGIN PUBLIC KEY-----\n"
    "MFkwEwYHKoZIzj0CAQYIKoZIzj0DAQcDQgAEoOh772+UdARyFfnzgMkQXWYe9hEV\n"
    "rJrgGp4rVh8Ec3xJc1XeWyF16GkynTTxjEBYmQ9FGJVqg1P6QXbas5FqIg==\n"
    "-----END PUBLIC KEY-----\n";
inline constexpr char kStatementNew[] =
    "vexbox-release edition=2.2 length=33 "
    "sha256=4ca3dcc5d680d038daccd24b7266de1a440ac597e2737f39770c996d70259d09";
inline constexpr char kStatementNewSignature[] =
    "MEUCIFu+iVsxTkyClXGM+nwj1IIZpl3AMXvIEz/XNvO8quKmAiEA3SdTIVGptgR9DX1+xWTjXlGtETdsPG4rZ/3rR3U99u0=";
inline constexpr char kStatementEqual[] =
    "vexbox-release edition=2.1 length=33 "
    "sha256=4ca3dcc5d680d038daccd24b7266de1a440ac597e2737f39770c996d70259d09";
inline constexpr char kStatementEqualSignature[] =
    "MEQCICqxnTjvh6B8OeURY6i/SJwBvsPXCbyXsbj6XTDI056+AiBycwwGk3GkMsf2H4DU4/7Or4EvVpoPXIegFlydhKxumA==";
inline constexpr char kStatementTen[] =
    "vexbox-release edition=2.10 length=33 "
    "sha256=4ca3dcc5d680d038daccd24b7266de1a440ac597e2737f39770c996d70259d09";
inline constexpr char kStatementTenSignature[] =
    "MEYCIQC32x81hQfLV7lf52WLGJNzk612gkRKnK4kMiBN68KjaAIhAL6brqZdJHKUZOIRH++clv//CMYsIY8Ialj4MmYiZa8h";
inline constexpr char kStatementOther[] =
    "vexbox-release edition=2.2 length=22 "
    "sha256=72bbb1b1abe000a0b70000fe202d2d3d81e29144c8fe0ce005e1cb440da10026";
inline constexpr char kStatementOtherSignature[] =
    "MEUCIDwbHgWG0XxOJ4RNgSC3VCKQaG1CC4iOtkiQrktWOtCGAiEApLxLo8+PsYgt1jYYUG9LTcKjnmFDUA0Pn5J6zThXe2Y=";
inline constexpr char kStatementOld[] =
    "vexbox-release edition=2.0 length=22 "
    "sha256=72bbb1b1abe000a0b70000fe202d2d3d81e29144c8fe0ce005e1cb440da10026";
inline constexpr char kStatementOldSignature[] =
    "MEUCIQDaBUS1VT6bwPcWm66QYMcAcw/Gdu02/0CI/sJc03yPlQIgPT8Wu3PTm6U70LslSf5g1SwiuAVfs1J0JHjK9W22/yA=";
// The key's signature of kSignedText's bytes themselves, as pages carried
// before statements.
inline constexpr char kSignedTextSignature[] =
    "MEUCIASmwseOzvXegsU0xB8E0FCVtH3fq6bhK84Rg8tnEREvAiEApuAjG3zklBrqrmm+LCBpHl4Y7IGRC0t3gVRbDU++Wlk=";

// A version page that offers kSignedText as 2.2 from `download`, with the
// statement kReleaseKey signed; a program shown it must trust that key.
inline std::string signedTestPage(const std::string& download, const char* update) {
  return std::string("[start][edition]2.2[/edition][dowload]") + download + "[/dowload][update]" + update +
         "[/update][statement]" + kStatementNew + "[/statement][statement-signature]" +
         kStatementNewSignature + "[/statement-signature][end]";
}

}  // namespace vex::test
