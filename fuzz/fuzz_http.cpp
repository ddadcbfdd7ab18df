// The web port's request heads: any bytes from anyone who can reach the port. Finding the end of
// a head and parsing it never fails loudly; a parsed head stays within the limit, and a target
// that names a file names only a plain name of an embedded file, never a way out of them.

#include "fuzz/fuzzsupport.h"
#include "web/httprequest.h"

using namespace pictova;
using namespace pictova::web;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startCoreApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype length = headLength(bytes);
    FUZZ_CHECK(length >= 0 && length <= bytes.size());
    const std::optional<HttpRequest> request = parseHead(QByteArrayView(bytes).first(length));
    if (request) {
        FUZZ_CHECK(length > 0 && length <= kMaxHeadBytes);
        FUZZ_CHECK(!request->method.isEmpty() && !request->target.isEmpty());
        for (const auto& [name, value] : request->headers) {
            FUZZ_CHECK(name == name.toLower());
            FUZZ_CHECK(!value.contains('\n') && !value.contains('\r'));
        }
        (void)request->keepAlive();
        (void)sameOrigin(request->header("origin"), request->header("host"), size % 2 == 0);
    }
    // The whole input as a target.
    if (const std::optional<QString> name = fileNameOf(bytes)) {
        FUZZ_CHECK(!name->isEmpty() && !name->contains(QStringLiteral("..")) && !name->startsWith(u'/'));
        for (const QChar c : *name)
            FUZZ_CHECK(c.isLetterOrNumber() || c == u'.' || c == u'-' || c == u'_' || c == u'/');
        (void)contentTypeOf(*name);
    }
    return 0;
}
