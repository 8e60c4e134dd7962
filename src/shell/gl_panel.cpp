#include "shell/gl_panel.h"

#include "platform/application.h"
#include "platform/gl_context.h"
#include "platform/message_box.h"
#include "texts/texts.h"

#include <GL/freeglut.h>

namespace scrivel {

TGLPanel::TGLPanel(platform::Window& owner, int width, int height)
    : TTavrinControl(owner, platform::GlContext::ChooseVisual(owner.App())) {
    App().SetIdleHandler([this] {
        bool done = false;
        Idle(done);
        return done ? platform::IdleNext::Wait : platform::IdleNext::Again;
    });
    SetSize(width, height);
}

TGLPanel::~TGLPanel() {
    App().SetIdleHandler(nullptr);
    context_.reset();
}

void TGLPanel::InitGlut(int& argc, char** argv) {
    glutInit(&argc, argv);
}

void TGLPanel::CreateContext() {
    if (!context_) {
        context_ = std::make_unique<platform::GlContext>(*this);
        if (!context_->Valid()) {
            platform::MessageBox(std::string(texts::Text(texts::TextId::GlNoContext)) + "\n" +
                                 context_->Error());
            return;
        }
    }
    current_ = context_->MakeCurrent();
    if (!current_) {
        platform::MessageBox(std::string(texts::Text(texts::TextId::GlCannotMakeCurrent)) + "\n" +
                             context_->Error());
    }
}

bool TGLPanel::HasContext() const {
    return context_ && context_->Valid() && current_;
}

void TGLPanel::SwapBuffers() {
    if (context_) {
        context_->SwapBuffers();
    }
}

} // namespace scrivel
