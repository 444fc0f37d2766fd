#pragma once

#include <curl/curl.h>

namespace kit::foundation {

// libcurl's entry points, loaded at the first transfer rather than at start-up: libcurl and the
// TLS, directory and authentication libraries it brings cost a short-lived process more time and
// memory than its drawing, and most runs never make a request.
struct CurlLibrary {
  decltype(&curl_global_init) global_init;
  decltype(&curl_easy_init) easy_init;
  decltype(&curl_easy_cleanup) easy_cleanup;
  decltype(&curl_easy_setopt) easy_setopt;
  decltype(&curl_easy_getinfo) easy_getinfo;
  decltype(&curl_easy_strerror) easy_strerror;
  decltype(&curl_multi_init) multi_init;
  decltype(&curl_multi_cleanup) multi_cleanup;
  decltype(&curl_multi_add_handle) multi_add_handle;
  decltype(&curl_multi_remove_handle) multi_remove_handle;
  decltype(&curl_multi_perform) multi_perform;
  decltype(&curl_multi_poll) multi_poll;
  decltype(&curl_multi_info_read) multi_info_read;
  decltype(&curl_multi_strerror) multi_strerror;
  decltype(&curl_slist_append) slist_append;
  decltype(&curl_slist_free_all) slist_free_all;
  decltype(&curl_url) url;
  decltype(&curl_url_set) url_set;
  decltype(&curl_url_cleanup) url_cleanup;
};

// The library, loaded and globally initialised once; throws HttpError when it cannot be.
const CurlLibrary &curlLibrary();

} // namespace kit::foundation
