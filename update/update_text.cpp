#include "update/update_text.h"

#include <array>

namespace Vrel::Update {
namespace {

struct TVariant {
    std::string_view Language;
    std::array<std::string_view, 3> Offer;  // paragraphs
    std::string_view Status;
    std::string_view Yes;
    std::string_view No;
};

// The last row is the fallback for every other language.
constexpr std::array<TVariant, 8> kVariants{{
    {"ko",
     {"업데이트 정보가 있습니다.", "안정적으로 사용하기 위해 업데이트를 하시길 권장합니다.",
      "다운로드 받으시겠습니까?"},
     "업데이트 가능", "예", "아니오"},
    {"ja",
     {"このプログラムがアップデートされました。",
      "安定的に使用するために新しくダウンロード\u00B7実行することをお勧めします。", "ダウンロードしますか。"},
     "アップデート可", "はい", "いいえ"},
    {"zh", {"该程序已更新。", "建议下载并执行新程序以稳定使用。", "您要下载吗\uFF1F"}, "可更新", "是", "否"},
    {"de",
     {"Dieses Programm ist aktualisiert worden.",
      "Es wird empfohlen, es herunterzuladen und neu auszuführen, um es stabil zu verwenden.",
      "Möchten Sie es herunterladen?"},
     "Update möglich", "Ja", "Nein"},
    {"ru",
     {"Данная программа была обновлена.",
      "Рекомендуется скачать и выполнить новое для стабильного использования.", "Вы хотите загрузить ее?"},
     "Обновление", "Да", "Нет"},
    {"it",
     {"È disponibile una nuova versione del programma.", "Ti suggeriamo di scaricare ed aggiornare il programma.",
      "Vuoi scaricare la nuova versione del programma?"},
     "Aggiornabile", "Sì", "No"},
    {"fr",
     {"Ce programme a été mis à jour.",
      "Il est recommandé de télécharger et d'exécuter la nouvelle version pour une utilisation stable.",
      "Voulez-vous le télécharger?"},
     "Maj dispo", "Oui", "Non"},
    {"",
     {"This program has been updated.", "It is recommended to download and execute new for stable use.",
      "Do you want to download it?"},
     "Update available", "Yes", "No"},
}};

const TVariant& VariantFor(std::string_view language) {
    for (size_t i = 0; i + 1 < kVariants.size(); ++i) {
        if (kVariants[i].Language == language) return kVariants[i];
    }
    return kVariants.back();
}

}  // namespace

std::string UpdateText(TUpdateTextKind kind, std::string_view language) {
    const TVariant& variant = VariantFor(language);
    switch (kind) {
        case TUpdateTextKind::Offer: {
            std::string text(variant.Offer[0]);
            for (size_t i = 1; i < variant.Offer.size(); ++i) {
                text += "\r\r";
                text += variant.Offer[i];
            }
            return text;
        }
        case TUpdateTextKind::Status: return std::string(variant.Status);
        case TUpdateTextKind::Yes: return std::string(variant.Yes);
        case TUpdateTextKind::No: return std::string(variant.No);
    }
    return {};
}

}  // namespace Vrel::Update
