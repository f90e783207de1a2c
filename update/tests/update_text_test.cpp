#include "update/update_text.h"

#include <gtest/gtest.h>

namespace Vrel::Update {
namespace {

using enum TUpdateTextKind;

TEST(UpdateText, EachLanguageHasItsOwnTexts) {
    struct Row {
        const char* language;
        const char* status;
        const char* yes;
        const char* no;
    };
    const Row rows[] = {{"ko", "업데이트 가능", "예", "아니오"},   {"ja", "アップデート可", "はい", "いいえ"},
                        {"zh", "可更新", "是", "否"},                {"de", "Update möglich", "Ja", "Nein"},
                        {"ru", "Обновление", "Да", "Нет"},         {"it", "Aggiornabile", "Sì", "No"},
                        {"fr", "Maj dispo", "Oui", "Non"},           {"en", "Update available", "Yes", "No"},
                        {"ar", "Update available", "Yes", "No"},     {"", "Update available", "Yes", "No"},
                        {"KO", "Update available", "Yes", "No"}};
    for (const Row& row : rows) {
        EXPECT_EQ(UpdateText(Status, row.language), row.status) << row.language;
        EXPECT_EQ(UpdateText(Yes, row.language), row.yes) << row.language;
        EXPECT_EQ(UpdateText(No, row.language), row.no) << row.language;
    }
}

TEST(UpdateText, OfferParagraphsAreJoinedByTwoCarriageReturns) {
    EXPECT_EQ(UpdateText(Offer, "ko"),
              "업데이트 정보가 있습니다.\r\r안정적으로 사용하기 위해 업데이트를 하시길 권장합니다.\r\r"
              "다운로드 받으시겠습니까?");
    EXPECT_EQ(UpdateText(Offer, "de"),
              "Dieses Programm ist aktualisiert worden.\r\rEs wird empfohlen, es herunterzuladen und neu "
              "auszuführen, um es stabil zu verwenden.\r\rMöchten Sie es herunterladen?");
    EXPECT_EQ(UpdateText(Offer, "ar"),
              "This program has been updated.\r\rIt is recommended to download and execute new for stable "
              "use.\r\rDo you want to download it?");
    EXPECT_EQ(UpdateText(Offer, "fr"),
              "Ce programme a été mis à jour.\r\rIl est recommandé de télécharger et d'exécuter la nouvelle "
              "version pour une utilisation stable.\r\rVoulez-vous le télécharger?");
}

TEST(UpdateText, SpecialCharactersAreExact) {
    // The Japanese middle dot is U+00B7; the Chinese question mark is the full-width U+FF1F.
    EXPECT_NE(UpdateText(Offer, "ja").find("ダウンロード\xC2\xB7実行"), std::string::npos);
    const std::string zh = UpdateText(Offer, "zh");
    EXPECT_TRUE(zh.ends_with("您要下载吗\xEF\xBC\x9F"));
    EXPECT_EQ(zh, "该程序已更新。\r\r建议下载并执行新程序以稳定使用。\r\r您要下载吗？");
    EXPECT_EQ(UpdateText(Offer, "it"),
              "È disponibile una nuova versione del programma.\r\rTi suggeriamo di scaricare ed aggiornare il "
              "programma.\r\rVuoi scaricare la nuova versione del programma?");
    EXPECT_EQ(UpdateText(Offer, "ru"),
              "Данная программа была обновлена.\r\rРекомендуется скачать и выполнить новое для стабильного "
              "использования.\r\rВы хотите загрузить ее?");
}

}  // namespace
}  // namespace Vrel::Update
