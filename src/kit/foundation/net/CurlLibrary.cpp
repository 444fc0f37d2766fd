#include "kit/foundation/net/CurlLibrary.h"

#include "kit/foundation/LibraryLoading.h"
#include "kit/foundation/net/HttpError.h"

#include <string>

namespace kit::foundation {
namespace {

// The soname every libcurl since 7.16 carries.
constexpr const char *kLibraryName = "libcurl.so.4";

[[noreturn]] void unavailable(const std::string &why) {
  throw HttpError(HttpError::Code::networkConnectionLost, "libcurl: " + why);
}

template <class Function> void symbol(void *library, Function &function, const char *name) {
  if (!loadSymbol(library, function, name))
    unavailable(std::string("no ") + name);
}

CurlLibrary load() {
  void *library = openLibrary(kLibraryName);
  if (!library)
    unavailable(dlerror());
  CurlLibrary curl;
#define KIT_CURL_SYMBOL(name) symbol(library, curl.name, "curl_" #name)
  KIT_CURL_SYMBOL(global_init);
  KIT_CURL_SYMBOL(easy_init);
  KIT_CURL_SYMBOL(easy_cleanup);
  KIT_CURL_SYMBOL(easy_setopt);
  KIT_CURL_SYMBOL(easy_getinfo);
  KIT_CURL_SYMBOL(easy_strerror);
  KIT_CURL_SYMBOL(multi_init);
  KIT_CURL_SYMBOL(multi_cleanup);
  KIT_CURL_SYMBOL(multi_add_handle);
  KIT_CURL_SYMBOL(multi_remove_handle);
  KIT_CURL_SYMBOL(multi_perform);
  KIT_CURL_SYMBOL(multi_poll);
  KIT_CURL_SYMBOL(multi_info_read);
  KIT_CURL_SYMBOL(multi_strerror);
  KIT_CURL_SYMBOL(slist_append);
  KIT_CURL_SYMBOL(slist_free_all);
  KIT_CURL_SYMBOL(url);
  KIT_CURL_SYMBOL(url_set);
  KIT_CURL_SYMBOL(url_cleanup);
#undef KIT_CURL_SYMBOL
  if (CURLcode result = curl.global_init(CURL_GLOBAL_DEFAULT); result != CURLE_OK)
    unavailable(curl.easy_strerror(result));
  return curl;
}

} // namespace

const CurlLibrary &curlLibrary() {
  // A failed load throws out of the initialiser, so the next transfer tries again.
  static const CurlLibrary curl = load();
  return curl;
}

} // namespace kit::foundation
