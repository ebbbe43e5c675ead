#pragma once
// The receive and send jobs: their entry checks and their step lists, run in
// the job frame.

#include <string>
#include <vector>

#include "jobs/JobFrame.h"
#include "jobs/JobParameters.h"
#include "package/Steps.h"

namespace tolvane {

// The warning for the first missing or unusable entry, or empty (CP932).
std::string ReceiveJobProblem(const JobParameters& job);
std::string SendJobProblem(const JobParameters& job, bool lanDestination);

std::vector<JobStep> ReceiveJobSteps(StepContext& ctx, const InternetRoads& roads);
std::vector<JobStep> SendJobSteps(StepContext& ctx, const InternetRoads& roads);

}  // namespace tolvane
