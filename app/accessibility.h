#pragma once

namespace korvanta
{

// Lets screen readers read the result labels: a label with the dynamic property "answerTitle"
// is named by the answer it shows, or by that title while it is empty, and QLabel::setText
// announces each new answer as a name change. Installs once; later calls do nothing.
void installAccessibleAnswers();

} // namespace korvanta
