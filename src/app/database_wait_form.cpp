#include "app/database_wait_form.h"

namespace kolvane {

std::string DatabaseWaitInfo(const DatabaseWaitForm& form) {
    return kDatabaseWaitInfoIntro + form.databaseFolder + kDatabaseWaitInfoOutro;
}

int DatabaseWaitHeightTwips(const DatabaseWaitForm& form) {
    return form.infoShown ? kWaitHeightWithInfoTwips : kWaitHeightTwips;
}

int NextFrame(int frame) { return frame >= kAnimationFrames || frame < 1 ? 1 : frame + 1; }

int DatabaseWaitLeft(int screenWidth, int windowWidth, int rightGap) { return screenWidth - windowWidth - rightGap; }

}  // namespace kolvane
