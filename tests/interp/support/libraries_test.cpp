// The third-party libraries link and work on both targets (statically on
// Windows, where they come from the cross-built cache).
#include <cjson/cJSON.h>
#include <openssl/ssl.h>

#include <gtest/gtest.h>

namespace {

TEST(Libraries, JsonParsesAndPrintsUtf8) {
  cJSON* root = cJSON_Parse("{\"name\":\"你好\",\"n\":[1,2,3]}");
  ASSERT_NE(root, nullptr);
  const cJSON* name = cJSON_GetObjectItemCaseSensitive(root, "name");
  ASSERT_TRUE(cJSON_IsString(name));
  EXPECT_STREQ(name->valuestring, "你好");
  EXPECT_EQ(cJSON_GetArraySize(cJSON_GetObjectItemCaseSensitive(root, "n")), 3);
  char* text = cJSON_PrintUnformatted(root);
  EXPECT_STREQ(text, "{\"name\":\"你好\",\"n\":[1,2,3]}");
  cJSON_free(text);
  cJSON_Delete(root);
}

TEST(Libraries, TlsClientContextCanBeCreated) {
  ASSERT_EQ(OPENSSL_init_ssl(0, nullptr), 1);
  SSL_CTX* ctx = SSL_CTX_new(TLS_client_method());
  ASSERT_NE(ctx, nullptr);
  SSL* ssl = SSL_new(ctx);
  EXPECT_NE(ssl, nullptr);
  SSL_free(ssl);
  SSL_CTX_free(ctx);
}

}  // namespace
