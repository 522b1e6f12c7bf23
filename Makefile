# The commands a person types. Each sets up what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test sanitize bench soak clean screenshots install package

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/yunuri

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory sanitize

# The core and shell tests once more under AddressSanitizer and UndefinedBehaviorSanitizer, in their own build
# directory; any report (memory error, leak, undefined behaviour) fails the run. The end-to-end tests stay out:
# they drive the same code through an X server at many times the cost.
SANITIZE_BUILD ?= build-asan
SANITIZER_ENV = ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	QT_QPA_PLATFORM=offscreen DBUS_SESSION_BUS_ADDRESS=disabled:
sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DYUNURI_SANITIZE=ON >/dev/null
	@$(SANITIZER_ENV) cmake --build $(SANITIZE_BUILD) -j $(JOBS) --target core_tests shell_tests
	@$(SANITIZER_ENV) $(SANITIZE_BUILD)/tests/core_tests --gtest_brief=1
	@$(SANITIZER_ENV) $(SANITIZE_BUILD)/tests/shell_tests --gtest_brief=1

# Not part of test: figures depend on the machine. Prints one table of figures, goals and ratios.
bench: configure
	@cmake -S . -B $(BUILD) -DYUNURI_BENCH=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	@bench/run.sh $(BUILD)

# The real panel under random real input in a private X server for SOAK_SECONDS (default ten minutes; the
# tests run it for twenty seconds); SOAK_SEED repeats a storm.
SOAK_SECONDS ?= 600
soak: build
	@SOAK_SECONDS=$(SOAK_SECONDS) bash tests/e2e/soak.sh $(BUILD)/yunuri $(BUILD)/tests/legal_captions

# The panel in its main states, at 100 % and 200 %, as PNG files.
screenshots: build
	@$(BUILD)/tools/yunuri-screenshots $(BUILD)/screenshots >/dev/null
	@echo "screenshots in $(BUILD)/screenshots"

# The binary (stripped), its desktop entry, icons, metadata and manual page (PREFIX=... to install elsewhere
# than CMake's default).
install: build
	@cmake --install $(BUILD) --strip $(if $(PREFIX),--prefix $(PREFIX))

# The Debian package, from a Release build of its own, written to $(BUILD)/yunuri_<version>_<arch>.deb. It is
# compiled with Debian's hardening flags, as Debian's own packages are.
PACKAGE_BUILD ?= $(BUILD)-pkg
DEB_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g dpkg-buildflags --get
package: deps
	@cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DYUNURI_TESTS=OFF \
		-DCMAKE_CXX_FLAGS="$(shell $(DEB_FLAGS) CPPFLAGS) $(shell $(DEB_FLAGS) CXXFLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$(shell $(DEB_FLAGS) LDFLAGS)" >/dev/null
	@cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	@cd $(PACKAGE_BUILD) && cpack -D CPACK_OUTPUT_FILE_PREFIX=$(abspath $(BUILD))

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(PACKAGE_BUILD)
