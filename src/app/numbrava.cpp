#include "app/numbrava.h"

#include "app/data_folder.h"
#include "app/production_services.h"
#include "main/main_window.h"

namespace numbrava {

namespace {
// Services first, so they are built before and destroyed after the window.
struct ServicesHolder {
    std::unique_ptr<ProductionServices> services = std::make_unique<ProductionServices>();
};

class ProductionMainWindow : private ServicesHolder, public MainWindow {
  public:
    explicit ProductionMainWindow(const QString& dataFolder)
        : ServicesHolder(), MainWindow(prepared(*services, dataFolder)) {}

  private:
    static AppContext& prepared(ProductionServices& services, const QString& dataFolder) {
        services.state.installFolder = installFolderFor(dataFolder);
        return services.context;
    }
};
} // namespace

std::unique_ptr<QWidget> createMainWindow(const QString& dataFolder) {
    auto window = std::make_unique<ProductionMainWindow>(dataFolder);
    window->start();
    return window;
}

} // namespace numbrava
