// A throwaway P-256 key's public half and signatures it made with
// `openssl dgst -sha256 -sign`; the private half was never kept.
#pragma once

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

}  // namespace vex::test
