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
    ProductionMainWindow(const QString& dataFolder, const QString& resultsServer)
        : ServicesHolder(), MainWindow(prepared(*services, dataFolder)) {
        if (!resultsServer.isEmpty())
            services->download.resultsServer = resultsServer;
        setDownloadServices(&services->download);
    }

  private:
    static AppContext& prepared(ProductionServices& services, const QString& dataFolder) {
        services.state.installFolder = installFolderFor(dataFolder);
        return services.context;
    }
};
} // namespace

std::unique_ptr<QWidget> createMainWindow(const QString& dataFolder, const QString& resultsServer) {
    auto window = std::make_unique<ProductionMainWindow>(dataFolder, resultsServer);
    window->start();
    return window;
}

} // namespace numbrava
