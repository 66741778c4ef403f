#include "document/CBrushlyOptions.h"

namespace brushly {

namespace {

// One field in the archive's direction, so that writing and reading share one field list.
void Transfer(CArchive& archive, std::int32_t& value) {
    if (archive.IsStoring()) {
        archive.WriteInt(value);
    } else {
        value = archive.ReadInt();
    }
}

void Transfer(CArchive& archive, double& value) {
    if (archive.IsStoring()) {
        archive.WriteDouble(value);
    } else {
        value = archive.ReadDouble();
    }
}

template <class... Fields>
void TransferAll(CArchive& archive, Fields&... fields) {
    (Transfer(archive, fields), ...);
}

}  // namespace

void CBrushlyOptions::Serialize(CArchive& archive) {
    std::int32_t version = kVersion;
    Transfer(archive, version);

    CKanaFlashOptions& k = kanaFlash;
    TransferAll(archive, k.kanaSet, k.lowerRange, k.upperRange, k.quizMode, k.autoFlip, k.timeLimit,
                k.autoFlipSeconds, k.timeLimitSeconds, k.order);

    // F8 and F9 stand before F6 and F7 in the stream.
    CFlashOptions& f = flash;
    TransferAll(archive, f.kanjiDisplay, f.showRecognitionData, f.showReadings, f.includeKanji,
                f.includeKanaWords, f.showComments, f.includeCompounds, f.includeCounters,
                f.counterForms, f.quizMode, f.autoFlip, f.timeLimit, f.autoFlipSeconds,
                f.timeLimitSeconds, f.shuffleOrder, f.desiredAnswer, f.readingKind,
                f.distracterSource, f.compoundSource, f.showReferenceIndices, f.showInflectedVerbs,
                f.verbFormal, f.verbInformal, f.verbAffirmative, f.verbNegative, f.verbIndicative,
                f.verbTentative, f.verbImperative, f.verbProvisional, f.verbPresumptive,
                f.verbGerund, f.verbConditional, f.verbRepresentative, f.verbPassive,
                f.verbReserved);

    CDrawOptions& d = draw;
    TransferAll(archive, d.feedback, d.autocorrect, d.enforceOrder, d.strokeMatch, d.errorTolerance,
                d.includeKanji, d.includeCounters, d.demoSpeed, d.showComments, d.drawingStyle,
                d.rawInput, d.randomOrder, d.kanaSet);
}

}  // namespace brushly
