# The commands a person types. Each sets up what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)
# The nested makes of CMake's build would otherwise announce every directory they enter and leave; what is
# left is the progress, the warnings and the errors.
MAKEFLAGS += --no-print-directory

# Debian's hardening flags, as Debian's own packages are built: `make package` compiles what is shipped with
# them, and the test build too, so that the package test can make its package from the test build.
# $(call hardened,SETTINGS) gives CMake the flags; SETTINGS are dpkg-buildflags variables.
deb_flags = $(shell DEB_BUILD_MAINT_OPTIONS=hardening=+all $(2) dpkg-buildflags --get $(1))
hardened = -DCMAKE_CXX_FLAGS="$(call deb_flags,CPPFLAGS,$(1)) $(call deb_flags,CXXFLAGS,$(1))" \
	-DCMAKE_EXE_LINKER_FLAGS="$(call deb_flags,LDFLAGS,$(1))"

.PHONY: all deps configure build run test sanitize bench soak clean screenshots install package

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(call hardened) >/dev/null

# Everything but the benchmarks: the program, the tests, the tools and the package's files.
build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Only the program.
run: configure
	@cmake --build $(BUILD) -j $(JOBS) --target yunuri
	@$(BUILD)/yunuri

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@$(MAKE) sanitize

# The core and shell tests once more under AddressSanitizer and UndefinedBehaviorSanitizer, in their own build
# directory; any report (memory error, leak, undefined behaviour) fails the run. The end-to-end tests stay out:
# they drive the same code through an X server at many times the cost. Optimised lightly and with line tables
# only: the reports name the line, and the build costs half as much as a full one.
SANITIZE_BUILD ?= build-asan
SANITIZER_ENV = ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	QT_QPA_PLATFORM=offscreen DBUS_SESSION_BUS_ADDRESS=disabled:
sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DYUNURI_SANITIZE=ON \
		-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" >/dev/null
	@$(SANITIZER_ENV) cmake --build $(SANITIZE_BUILD) -j $(JOBS) --target core_tests shell_tests
	@$(SANITIZER_ENV) $(SANITIZE_BUILD)/tests/core_tests --gtest_brief=1
	@$(SANITIZER_ENV) $(SANITIZE_BUILD)/tests/shell_tests --gtest_brief=1

# Not part of test: figures depend on the machine. Prints one table of figures, goals and ratios.
bench: configure
	@cmake -S . -B $(BUILD) -DYUNURI_BENCH=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@bench/run.sh $(BUILD)

# The real panel under random real input in a private X server for SOAK_SECONDS (default ten minutes; the
# tests run it for twenty seconds); SOAK_SEED repeats a storm.
SOAK_SECONDS ?= 600
soak: configure
	@cmake --build $(BUILD) -j $(JOBS) --target yunuri legal_captions
	@SOAK_SECONDS=$(SOAK_SECONDS) bash tests/e2e/soak.sh $(BUILD)/yunuri $(BUILD)/tests/legal_captions

# The panel in its main states, at 100 % and 200 %, as PNG files.
screenshots: configure
	@cmake --build $(BUILD) -j $(JOBS) --target yunuri-screenshots
	@$(BUILD)/tools/yunuri-screenshots $(BUILD)/screenshots >/dev/null
	@echo "screenshots in $(BUILD)/screenshots"

# The binary (stripped), its desktop entry, icons, metadata and manual page (PREFIX=... to install elsewhere
# than CMake's default).
install: build
	@cmake --install $(BUILD) --strip $(if $(PREFIX),--prefix $(PREFIX))

# The Debian package, from a Release build of its own, written to $(BUILD)/yunuri_<version>_<arch>.deb. It is
# compiled with Debian's hardening flags (without -g: it is stripped), as Debian's own packages are.
PACKAGE_BUILD ?= $(BUILD)-pkg
package: deps
	@cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DYUNURI_TESTS=OFF \
		$(call hardened,DEB_CXXFLAGS_MAINT_STRIP=-g) >/dev/null
	@cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	@cd $(PACKAGE_BUILD) && cpack -D CPACK_OUTPUT_FILE_PREFIX=$(abspath $(BUILD))

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(PACKAGE_BUILD)
